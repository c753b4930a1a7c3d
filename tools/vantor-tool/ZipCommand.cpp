// vantor-tool zip FILE: the members the archive walk appends, then its result.
#include "Commands.h"

#include "media/ZipMembers.h"

#include <ostream>

namespace vantor::tool {

namespace {

// Messages go to the error stream, as the player would show them.
class StreamMessages : public MessageBoxes {
public:
    explicit StreamMessages(std::ostream& err) : m_err(err) {}
    void Show(const std::string& text, const std::string& title, MessageIcon) override {
        m_err << title << ": " << text << "\n";
    }

private:
    std::ostream& m_err;
};

} // namespace

int RunZip(Args args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: vantor-tool zip FILE\n";
        return 2;
    }
    StreamMessages messages(err);
    const ZipScan scan = ScanZipArchive(args[0], messages);
    for (const auto& member : scan.Members)
        out << member.MemberName << " " << member.MemberStart << " " << member.MemberEnd << "\n";
    out << "result = " << scan.Result << "\n";
    return 0;
}

} // namespace vantor::tool
