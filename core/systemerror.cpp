#include "systemerror.h"

#include <cerrno>

namespace kalmoro {

QString SystemErrorReason(int code)
{
    switch (code) {
    case ENOSPC:
        return QStringLiteral("磁盘已满");
    case EACCES:
    case EPERM:
        return QStringLiteral("没有权限");
    case EROFS:
        return QStringLiteral("磁盘是只读的");
    case EIO:
        return QStringLiteral("读写磁盘时出错");
    case ENOENT:
        return QStringLiteral("文件或文件夹不存在");
    case ENOTDIR:
        return QStringLiteral("路径中有一项不是文件夹");
    case EISDIR:
        return QStringLiteral("这是一个文件夹，不是文件");
    case ENAMETOOLONG:
        return QStringLiteral("文件名太长");
    case ELOOP:
        return QStringLiteral("符号链接层数过多或指向自身");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("这不是普通文件，而是设备或管道");
    case EFBIG:
        return QStringLiteral("文件超过了系统允许的大小");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("打开的文件太多");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("文件正被使用");
    case ENOMEM:
        return QStringLiteral("内存不足");
    case EINVAL:
        return QStringLiteral("文件系统不支持这一操作");
    default:
        return QStringLiteral("系统错误（代码 %1）").arg(code);
    }
}

} // namespace kalmoro
