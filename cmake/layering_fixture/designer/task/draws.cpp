// A core file may not include Qt.
#include <QWidget>
