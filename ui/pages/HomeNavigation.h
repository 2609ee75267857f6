#pragma once

#include "ui/toolkit/framework/OpenArgument.h"
#include "ui/toolkit/framework/PageId.h"

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

namespace v32 {

// Where the home screen stands for the whole run: the current fader bank, the cell last
// selected in each of the banks 0-3, and the way any mixer screen opens a page inside the
// home container.
class HomeNavigation {
public:
    static constexpr int kBankCount = 5;
    static constexpr int kRememberedBanks = 4;

    int currentBank() const { return m_currentBank; }
    // Banks outside 0..4 are ignored.
    void setCurrentBank(int bank);
    // -1 when nothing is remembered for the bank (and always for the DCA bank).
    int rememberedCell(int bank) const;
    void rememberCell(int bank, int cell);

    // Opens page P with argument A inside the home container; the home page installs it
    // when it is built, and until then it does nothing.
    void openPage(PageId id, const OpenArgument& argument = OpenArgument::nothing()) const;
    void setPageOpener(std::function<void(PageId, const OpenArgument&)> opener) {
        m_opener = std::move(opener);
    }

private:
    int m_currentBank = 0;
    std::array<int, kRememberedBanks> m_rememberedCells{-1, -1, -1, -1};
    std::function<void(PageId, const OpenArgument&)> m_opener;
};

} // namespace v32
