// shell/ builds on nothing above it, not even records/.
#include "records/RecordForm.h"
#include "engine/AccountStore.h"
