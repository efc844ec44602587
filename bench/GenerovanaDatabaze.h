#pragma once
// A database of a busy decade: 100,000 invoices over 2015-2024 in two number series,
// 10 items each. Made once and kept beside the other temporary files between runs.
#include <QString>

// Path of the generated file (created when missing).
QString GenerovanaDatabaze();
