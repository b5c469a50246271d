// Tells every window that the colour setting changed, as Windows' settings
// do on a switch between light and dark apps, and Wine's registry tool not.
#include <windows.h>

int main() {
    return !SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, LPARAM(L"ImmersiveColorSet"),
                                SMTO_ABORTIFHUNG, 5000, nullptr);
}
