#include "platform/SystemErrorText.h"

#include <cerrno>

namespace platform {

std::string SystemErrorText(int Code) {
    switch (Code) {
    case EACCES:
    case EPERM:
        return "没有权限";
    case ENOENT:
        return "文件或文件夹不存在";
    case ENOTDIR:
        return "路径中有一段不是文件夹";
    case EISDIR:
        return "这是一个文件夹";
    case ENOSPC:
    case EDQUOT:
        return "磁盘空间不足";
    case EROFS:
        return "文件系统只读";
    case ELOOP:
        return "符号链接过多";
    case ENAMETOOLONG:
        return "路径太长";
    case EMFILE:
    case ENFILE:
        return "打开的文件太多";
    case ENOMEM:
        return "内存不足";
    case EIO:
        return "输入输出错误";
    case EBUSY:
    case ETXTBSY:
        return "文件正被占用";
    case EXDEV:
        return "不能跨文件系统改名";
    default:
        return "系统错误 " + std::to_string(Code);
    }
}

} // namespace platform
