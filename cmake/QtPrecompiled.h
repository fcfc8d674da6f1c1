// Headers nearly every Qt source of the program and its tests includes,
// compiled once per target (target_precompile_headers): the Qt headers are
// most of the compile time of a small source file.
#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QObject>
#include <QPainter>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>
