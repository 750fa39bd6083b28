#include "platform/dpi_scale.h"

int ScaleForDpi(int value, int dpi) {
    if (dpi <= 0)
        dpi = kBaseDpi;
    const long long product = static_cast<long long>(value) * dpi;
    const long long half = kBaseDpi / 2;
    const long long rounded = product >= 0 ? (product + half) / kBaseDpi : -((-product + half) / kBaseDpi);
    return static_cast<int>(rounded);
}

ScaledBox ScaleBox(const ScaledBox& box, int dpi) {
    return {ScaleForDpi(box.x, dpi), ScaleForDpi(box.y, dpi), ScaleForDpi(box.width, dpi),
            ScaleForDpi(box.height, dpi)};
}
