// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/winsock.h"

#include "components/network_adapters.h"

namespace dialnote {

QString Winsock::LocalIP() const { return ChooseLocalAddress(CurrentNetworkReader()()); }

}  // namespace dialnote
