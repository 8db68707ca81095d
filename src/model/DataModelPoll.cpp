// The status poll of DataModel: the queries sent on the 10 ms tick.
#include "DataModel.h"

void DataModel::poll()
{
}
