// The program has no console of its own. Handed a console, or started from
// one, it writes into it as Unicode, so every character arrives whole (a console
// handed over works once attached to, at most once); into a file or a pipe as
// UTF-8; started from neither (a shortcut), into a box.
#include <windows.h>

#include "console.h"

namespace velkiro {

void Print(std::FILE* stream, const QString& text) {
    HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const auto none = [](HANDLE h) { return h == nullptr || h == INVALID_HANDLE_VALUE; };
    if (none(handle) || GetFileType(handle) == FILE_TYPE_CHAR) {
        static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
        // Read access too, without which the console's mode cannot be read.
        if (none(handle) && attached)
            handle =
                CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    DWORD mode, written;  // what the calls report, never read
    if (none(handle)) {
        MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(text.utf16()), L"Velkiro",
                    stream == stderr ? MB_ICONEXCLAMATION : MB_ICONINFORMATION);
    } else if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.utf16(), DWORD(text.size()), &written, nullptr);
    } else {
        const QByteArray utf8 = text.toUtf8();
        WriteFile(handle, utf8.constData(), DWORD(utf8.size()), &written, nullptr);
    }
}

}  // namespace velkiro
