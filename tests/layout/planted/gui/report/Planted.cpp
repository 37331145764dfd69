// A window folder may use the skeletons and core, not another window folder.
#include "records/RecordForm.h"
#include "shell/Dialogs.h"
#include "terms/frmMethod.h"
#include <QWidget>
