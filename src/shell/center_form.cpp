#include "shell/center_form.h"

#include "screens/design.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

float centered_edge(float screen_extent, float window_extent, float offset)
{
    const float half = (screen_extent - window_extent) / 2;
    const float edge = half - offset;
    return edge;
}

void CenterForm(QWidget& window, float horizontal_offset, float vertical_offset)
{
    const QRect screen = window.screen()->geometry();
    const auto twips = [](int pixels) { return static_cast<float>(pixels * twips_per_pixel); };
    const auto pixels = [](float twips_value) {
        return static_cast<int>(std::lround(twips_value / twips_per_pixel));
    };

    const float left = centered_edge(twips(screen.width()), twips(window.frameGeometry().width()),
                                     horizontal_offset);
    window.move(screen.x() + pixels(left), window.frameGeometry().y());
    const float top = centered_edge(twips(screen.height()), twips(window.frameGeometry().height()),
                                    vertical_offset);
    window.move(window.frameGeometry().x(), screen.y() + pixels(top));
}
