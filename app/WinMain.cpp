#include "app/ToolApp.h"
#include "link/Win32Desktop.h"
#include "ui/WindowHost.h"
#include "ui/win32/Win32Host.h"

#include <windows.h>

#include <commctrl.h>

// The one application object, constructed before the program starts.
CToolApp theApp(std::make_unique<kestrow::Win32Desktop>());

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Registers the tab control and the standard control classes (Common Controls
    // 6 through the manifest), where the dialog framework would switch on control
    // containment and three-dimensional controls.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    ui::Win32Host host(instance);
    ui::SetHost(&host);
    theApp.InitInstance();
    ui::SetHost(nullptr);
    return 0;
}
