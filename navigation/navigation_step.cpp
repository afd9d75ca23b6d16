#include "navigation/navigation_step.h"

#include "navigation/flight.h"
#include "navigation/steering.h"
#include "widget/MainScreenP.h"

namespace {

constexpr int kSteering = 0;
constexpr int kRelevelling = 2;
constexpr double kLevelEnough = 0.99;

}  // namespace

void navigation_step(MainScreenPart &ms)
{
    if (ms.frozen)
        return;
    if (ms.navigationState == kSteering) {
        const Steering s = steering_amounts(ms.cursorDx, ms.cursorDy, ms.centerX, ms.centerY);
        if (ms.flyingMode == 0)
            fly_polar(ms.viewpoint, ms.pitchLimit, ms.velocity, s.sx, s.sy);
        else
            fly_cartesian(ms.viewpoint, ms.velocity, s.sx, s.sy);
    } else if (ms.navigationState == kRelevelling) {
        // The frame that ends re-levelling makes no flight step.
        if (relevel_step(ms.viewpoint) > kLevelEnough)
            ms.navigationState = kSteering;
    }
}
