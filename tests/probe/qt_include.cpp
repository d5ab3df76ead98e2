// Compiled with the rules library's settings only; it must fail, since that library has no Qt.
#include <QString>

int probe() { return QString().size(); }
