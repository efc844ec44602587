#pragma once
// The program writes its statements in the dialect of its original engine; this turns them
// into SQLite: TOP n -> LIMIT n, LEFT/RIGHT -> substr, #yyyy-mm-dd# -> a date text, and drops
// a trailing semicolon. Quoted text is copied as it stands.
#include <QString>

namespace db {
QString prelozJetSql(const QString& sql);
}
