#pragma once

#include <QStringList>

// The names in folder that are not UTF-8 text, as Qt decodes them, a
// replacement character for each byte that is not. Qt lists no such file,
// and no file can be opened under the decoded name: it turns back into other
// bytes.
QStringList undecodableNames(const QString& folder);
