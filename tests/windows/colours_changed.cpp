// Tells every window that the colour setting changed, as Windows' own
// settings do once the user switches apps between light and dark; Wine's
// registry tool changes the value without a word.
#include <windows.h>

int main() {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                               LPARAM(L"ImmersiveColorSet"), SMTO_ABORTIFHUNG, 5000, &answer)
               ? 0
               : 1;
}
