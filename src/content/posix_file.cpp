// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/posix_file.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace quorvia {

int FileDescriptor::close() {
    const int result = fd_ >= 0 ? ::close(fd_) : 0;
    fd_ = -1;
    return result;
}

int writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

void syncFolderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string systemErrorText(int code) {
    switch (code) {
    case EACCES:
    case EPERM: return "permesso negato";
    case ENOENT: return "il file o la cartella non c'è";
    case ENOTDIR: return "una parte del percorso è un file, non una cartella";
    case EISDIR: return "è una cartella, non un file";
    case EEXIST: return "esiste già";
    case EROFS: return "il disco è di sola lettura";
    case ENOSPC: return "il disco è pieno";
    case EDQUOT: return "lo spazio concesso su questo disco è finito";
    case EIO: return "errore di lettura o scrittura sul disco";
    case ENAMETOOLONG: return "il nome è troppo lungo";
    case ELOOP: return "troppi collegamenti simbolici uno dentro l'altro";
    case EMFILE:
    case ENFILE: return "troppi file aperti";
    case ENOMEM: return "memoria insufficiente";
    case EBUSY:
    case ETXTBSY: return "il file è in uso";
    case ESTALE:
    case ENOTCONN:
    case EHOSTDOWN:
    case ETIMEDOUT: return "la cartella di rete non risponde";
    default: return "errore di sistema n. " + std::to_string(code);
    }
}

}  // namespace quorvia
