#pragma once
// Saving a file so that a failure loses nothing: the bytes go to a temporary file beside the
// target, which replaces it only once everything was written. A file already there stays as it
// was when the folder is missing, closed to us, or the disk fills up.
#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>

#include "common/save_failure.h"

namespace varnesk::ui {

// `write` puts the content on the device and says whether it all went. Nothing when saved.
std::optional<SaveFailure> saveAtomically(const QString& file,
                                          const std::function<bool(QIODevice&)>& write);

// The same for bytes already made.
std::optional<SaveFailure> saveBytes(const QString& file, const std::string& bytes);

}  // namespace varnesk::ui
