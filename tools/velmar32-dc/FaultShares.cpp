#include "tools/velmar32-dc/FaultShares.h"

#include <charconv>
#include <cstdio>

namespace v32::dc {

namespace {

std::optional<double> parsePercent(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0 || value > 100) {
        return std::nullopt;
    }
    return value;
}

double* shareNamed(FaultShares& shares, std::string_view name) {
    if (name == "drop") {
        return &shares.dropPercent;
    }
    if (name == "delay") {
        return &shares.delayPercent;
    }
    if (name == "duplicate") {
        return &shares.duplicatePercent;
    }
    if (name == "corrupt") {
        return &shares.corruptPercent;
    }
    return nullptr;
}

} // namespace

std::optional<FaultShares> FaultShares::parse(std::string_view text) {
    FaultShares shares;
    if (text.empty() || text == "off") {
        return shares;
    }
    for (bool more = true; more;) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        more = comma != std::string_view::npos;
        text = more ? text.substr(comma + 1) : std::string_view{};
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        double* share = shareNamed(shares, item.substr(0, equals));
        const std::optional<double> percent = parsePercent(item.substr(equals + 1));
        if (share == nullptr || !percent) {
            return std::nullopt;
        }
        *share = *percent;
    }
    if (shares.totalPercent() > 100) {
        return std::nullopt;
    }
    return shares;
}

std::string FaultShares::describe() const {
    char text[96];
    std::snprintf(text, sizeof text, "drop %g%% delay %g%% duplicate %g%% corrupt %g%%",
                  dropPercent, delayPercent, duplicatePercent, corruptPercent);
    return text;
}

} // namespace v32::dc
