#pragma once

#include "afx/AfxIds.h"
#include "afx/CCmdTarget.h"
#include "afx/CString.h"

// The application object. Exactly one exists, a static object of a class derived from
// CWinApp; AfxWinMain runs it once the static objects are constructed:
// InitInstance, then Run (or ExitInstance alone when InitInstance returns FALSE).
//
// Constructed without a name, the application's title is the program file's name
// without its extension; message boxes carry it as their caption. The help file is
// the program file's name with the extension ".HLP", beside it.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // The message loop. VORNEX never opens a main window, so there is nothing to run:
    // it returns ExitInstance()'s result.
    virtual int Run();
    virtual int ExitInstance();

    const CString& GetAppName() const { return m_strAppName; }
    const CString& GetHelpFilePath() const { return m_strHelpFilePath; }

    // The Help command: opens the help file at the topic of the dialog that is active,
    // HID_BASE_RESOURCE plus its template id. Bind it with ON_COMMAND(ID_HELP, ...).
    void OnHelp();

protected:
    // Gives dialog controls the 3-D look. Controls always have it now: nothing to do.
    BOOL Enable3dControlsStatic();

    DECLARE_MESSAGE_MAP()

private:
    friend int AfxWinMain();
    // Names taken from the program file, for what the constructor left open.
    void SetProgramPath(std::string_view programPath);

    bool m_nameGiven;
    CString m_strAppName;
    CString m_strHelpFilePath;
};

// The application object, or null before it is constructed and after it is destroyed.
CWinApp* AfxGetApp();

// Runs the application object (see CWinApp). Returns the process exit status: -1 when
// there is no application object.
int AfxWinMain();
