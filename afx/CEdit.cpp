#include "afx/CEdit.h"

BOOL CEdit::SetReadOnly(BOOL readOnly) {
    return SendMsg(EM_SETREADONLY, readOnly ? TRUE : FALSE) != 0 ? TRUE : FALSE;
}

BOOL CEdit::IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0 ? TRUE : FALSE; }
