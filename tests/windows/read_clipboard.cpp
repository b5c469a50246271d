// Prints the text on the Windows clipboard in UTF-8, as a second program
// finds it; status 2 when there is none.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    // Another program may hold the clipboard open for a moment.
    for (int tries = 0; !OpenClipboard(nullptr); ++tries) {
        if (tries == 50) return 1;
        Sleep(100);
    }
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.resize(WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr));
            WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), static_cast<int>(text.size()),
                                nullptr, nullptr);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (text.empty()) return 2;
    std::fputs(text.c_str(), stdout);  // the terminating null ends it
    return 0;
}
