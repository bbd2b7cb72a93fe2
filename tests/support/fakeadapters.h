#pragma once

#include "netcfg/adapterlist.h"

namespace delvora::test {

// Stands in for the PC's adapters while it lives (header only: for tests that link
// delvora_netcfg).
class FakeAdapters : public AdapterList {
public:
    explicit FakeAdapters(QList<AdapterEntry> list = {}) : list(std::move(list)) {
        AdapterList::setInstance(this);
    }
    ~FakeAdapters() override { AdapterList::setInstance(nullptr); }
    QList<AdapterEntry> adapters() const override { return list; }

    QList<AdapterEntry> list;
};

} // namespace delvora::test
