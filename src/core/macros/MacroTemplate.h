#pragma once
// New macro files: the built-in template and the name a new file gets.

#include "store/Env.h"

#include <QByteArray>
#include <QString>

namespace cw {

// The 49 template lines, each ended by CR LF.
QByteArray macroTemplateBytes();

// The typed name, upper-cased, + ".MCR"; used as typed otherwise
// ("pay.mcr" gives "PAY.MCR.MCR").
QString newMacroFileName(const QString& typed);

// Appends the template to `path`, creating the file when absent.
Status appendMacroTemplate(Env& env, const QString& path);

} // namespace cw
