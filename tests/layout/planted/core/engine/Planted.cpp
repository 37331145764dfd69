// Each include below breaks one rule; the layout check must find all five.
#include <QWidget>
#include <QtWidgets/QLabel>
#include "render/ReportTable.h"
#include "import/CsvReader.h"
#include "report/ReportWindow.h"
#include "data/Money.h"
#include "Planted.h"
#include <QString>
