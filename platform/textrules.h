#pragma once

#include <QString>

// The platform layer's rules on texts, apart from the system calls that
// supply the texts, so that they can be tested with any locale's data.
namespace textrules {

// The date separator of a short date format: the first character between
// its fields, quotes around literals left out ("M/d/yy" gives "/",
// "dd.MM.yyyy" ".", "d'-'M'-'yy" "-"); "/" when the format has none.
QString dateSeparatorOf(const QString& shortDateFormat);

} // namespace textrules
