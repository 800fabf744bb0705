// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "consoleanswer.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cstdio>
#endif

namespace freqcounter::ConsoleAnswer {

#ifdef Q_OS_WIN
namespace {

// The stream's own handle when it leads somewhere (a file, a pipe, Wine's
// terminal), else the console of the process that started this one; invalid
// when there is neither.
HANDLE handleFor(Stream stream)
{
    const HANDLE own
            = ::GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (own != INVALID_HANDLE_VALUE && own != nullptr && ::GetFileType(own) != FILE_TYPE_UNKNOWN)
        return own;
    static const bool attached = ::AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    if (!attached)
        return INVALID_HANDLE_VALUE;
    static const HANDLE console
            = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    return console;
}

bool g_boxes = true;

} // namespace

void withoutBoxes()
{
    g_boxes = false;
}

void write(const QString &text, Stream stream)
{
    const HANDLE handle = handleFor(stream);
    if (handle == INVALID_HANDLE_VALUE && !g_boxes)
        return;
    if (handle == INVALID_HANDLE_VALUE) {
        ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"freqcounter",
                      MB_OK | (stream == Stream::Error ? MB_ICONERROR : MB_ICONINFORMATION));
        return;
    }
    DWORD written = 0;
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) {
        // A console shows every character, whatever its code page.
        ::WriteConsoleW(handle, text.utf16(), DWORD(text.size()), &written, nullptr);
    } else {
        const QByteArray bytes = text.toLocal8Bit();
        ::WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
    }
}
#else
void write(const QString &text, Stream stream)
{
    std::fputs(qPrintable(text), stream == Stream::Output ? stdout : stderr);
}

void withoutBoxes()
{}
#endif

} // namespace freqcounter::ConsoleAnswer
