#pragma once

#include <QString>

#include <functional>

// Told the final path of an output just before the output is moved there, so
// that a record of it can be made first: a run killed right after the move
// then still leaves word of the file (whoever reads the record checks that
// the file is there, since the move may also fail).
using OutputNaming = std::function<void(const QString &path)>;
