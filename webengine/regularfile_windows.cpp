#include <windows.h>

#include "regularfile.h"

namespace kalmoro {

std::optional<QByteArray> ReadRegularFile(const QString &path)
{
    HANDLE file = ::CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ,
        FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<QByteArray> content;
    LARGE_INTEGER size = {};
    // Only a file on disk: a pipe or a device opened here could keep a read waiting.
    if (::GetFileType(file) == FILE_TYPE_DISK && ::GetFileSizeEx(file, &size) && size.QuadPart < MAXLONG) {
        QByteArray read(qsizetype(size.QuadPart), Qt::Uninitialized);
        DWORD done = 0;
        if (::ReadFile(file, read.data(), DWORD(read.size()), &done, nullptr)) {
            read.truncate(done);
            content = std::move(read);
        }
    }
    ::CloseHandle(file);
    return content;
}

} // namespace kalmoro
