// A file-type database in memory: which extensions the player handles, and
// every call made to change that, in order.
#pragma once

#include "platform/FileAssociations.h"

#include <set>
#include <string>
#include <vector>

namespace vantor::test {

class FakeFileAssociations : public FileAssociations {
public:
    bool IsAssociated(const std::string& extension) const override {
        return associated.contains(extension);
    }
    void Associate(const std::string& extension) override {
        associated.insert(extension);
        calls.push_back("Associate " + extension);
    }
    void Unassociate(const std::string& extension) override {
        associated.erase(extension);
        calls.push_back("Unassociate " + extension);
    }
    void NotifyChanged() override { calls.push_back("NotifyChanged"); }

    std::set<std::string> associated;
    std::vector<std::string> calls;
};

} // namespace vantor::test
