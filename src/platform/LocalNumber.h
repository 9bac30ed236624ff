#pragma once

#include <QString>

namespace reelwright {

// A number as the user's locale writes it (its decimal sign, no grouping), for the sentences
// the program says; what programs read (options, JSON, logs' commands) keeps the C form.
QString LocalNumber(double value, char format, int precision);

}  // namespace reelwright
