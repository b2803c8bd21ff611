#include "color/grey.h"

#include "color/rounded_percent.h"

namespace pixo {

Text GreyText(Color c, bool showBlack) {
    const int r = RedOf(c);
    if (!showBlack || r >= 254 || r != GreenOf(c) || r != BlueOf(c))
        return {};
    Text t;
    t.AppendInt(100 - RoundedPercent(r, 255));
    t += "% black";
    return t;
}

}  // namespace pixo
