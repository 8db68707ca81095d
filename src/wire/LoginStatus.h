#pragma once

#include <QtGlobal>

// What a device reports about the login of this connection (2,1,1 and 2,1,2), carried on by
// DataModel::tcpLoginChanged.
namespace LoginStatus {
enum : quint8 { NotLoggedIn = 0, Accepted = 1, Rejected = 2 };
}
