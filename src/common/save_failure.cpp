#include "common/save_failure.h"

#include <cerrno>

namespace varnesk {

SaveFailure saveFailureOf(int errorNumber) {
  switch (errorNumber) {
    case EACCES:
    case EPERM:
    case EROFS: return SaveFailure::NoPermission;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: return SaveFailure::DiskFull;
    case ENOENT:
    case ENOTDIR: return SaveFailure::FolderMissing;
    default: return SaveFailure::Other;
  }
}

std::string saveFailureMessage(std::string_view file, SaveFailure why) {
  std::string reason;
  switch (why) {
    case SaveFailure::NoPermission: reason = " Não há permissão para gravar nessa pasta."; break;
    case SaveFailure::DiskFull: reason = " O disco está cheio."; break;
    case SaveFailure::FolderMissing: reason = " A pasta não existe."; break;
    case SaveFailure::Other: break;
  }
  return "Não foi possível salvar o arquivo \"" + std::string(file) + "\"." + reason +
         " Nada foi perdido: um arquivo que já existia continua como estava.";
}

}  // namespace varnesk
