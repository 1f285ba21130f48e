#include "ui/file_saver.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace varnesk::ui {
namespace {

// The system's reason when it left one; otherwise what Qt says of the file.
SaveFailure failureOf(const QSaveFile& file, int errorNumber) {
  if (errorNumber != 0) {
    const SaveFailure why = saveFailureOf(errorNumber);
    if (why != SaveFailure::Other) return why;
  }
  return file.error() == QFileDevice::PermissionsError ? SaveFailure::NoPermission
                                                       : SaveFailure::Other;
}

}  // namespace

std::optional<SaveFailure> saveAtomically(const QString& file,
                                          const std::function<bool(QIODevice&)>& write) {
  if (!QFileInfo(file).absoluteDir().exists()) return SaveFailure::FolderMissing;
  QSaveFile out(file);
  errno = 0;
  if (!out.open(QIODevice::WriteOnly)) return failureOf(out, errno);
  errno = 0;
  if (!write(out) || !out.flush()) {
    const int errorNumber = errno;
    out.cancelWriting();
    out.commit();  // drops the temporary file, leaves the target alone
    return failureOf(out, errorNumber);
  }
  errno = 0;
  if (!out.commit()) return failureOf(out, errno);
  return std::nullopt;
}

std::optional<SaveFailure> saveBytes(const QString& file, const std::string& bytes) {
  return saveAtomically(file, [&bytes](QIODevice& out) {
    return out.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
  });
}

}  // namespace varnesk::ui
