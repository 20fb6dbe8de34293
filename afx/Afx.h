#pragma once

// Everything a page or the application includes from the framework.

#include "afx/AfxFunctions.h"
#include "afx/AfxIds.h"
#include "afx/CButton.h"
#include "afx/CComboBox.h"
#include "afx/CDialog.h"
#include "afx/CEdit.h"
#include "afx/CListCtrl.h"
#include "afx/CMenu.h"
#include "afx/CPaintDC.h"
#include "afx/CProgressCtrl.h"
#include "afx/CString.h"
#include "afx/CWinApp.h"
#include "afx/CWnd.h"
#include "afx/CommonControls.h"
#include "afx/DataExchange.h"
#include "afx/MessageMap.h"
#include "afx/WinConstants.h"
#include "afx/WinDefs.h"
