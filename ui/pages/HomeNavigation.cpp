#include "ui/pages/HomeNavigation.h"

namespace v32 {

void HomeNavigation::setCurrentBank(int bank) {
    if (bank >= 0 && bank < kBankCount) {
        m_currentBank = bank;
    }
}

int HomeNavigation::rememberedCell(int bank) const {
    if (bank < 0 || bank >= kRememberedBanks) {
        return -1;
    }
    return m_rememberedCells[static_cast<std::size_t>(bank)];
}

void HomeNavigation::rememberCell(int bank, int cell) {
    if (bank >= 0 && bank < kRememberedBanks) {
        m_rememberedCells[static_cast<std::size_t>(bank)] = cell;
    }
}

void HomeNavigation::openPage(PageId id, const OpenArgument& argument) const {
    if (m_opener) {
        m_opener(id, argument);
    }
}

} // namespace v32
