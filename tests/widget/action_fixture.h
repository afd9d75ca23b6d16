#pragma once

// A real MainScreen widget on the test's server, driven by calling its actions
// by name as the translation manager would.

#include <X11/IntrinsicP.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/xt_app.h"
#include "universe/star.h"
#include "universe/universe.h"
#include "widget/MainScreenP.h"

class ActionFixture {
public:
    ActionFixture()
    {
        init_universe();
        w = app.create_screen(640, 480);
    }

    MainScreenPart &ms() { return screen_part(w); }

    void act(const char *name, std::vector<std::string> params = {})
    {
        std::vector<char *> p;
        for (std::string &s : params)
            p.push_back(s.data());
        p.push_back(nullptr);
        XtCallActionProc(w, name, nullptr, p.data(), static_cast<Cardinal>(params.size()));
    }

    // Byte copy of the widget's own part, to show that an action left it alone.
    std::vector<unsigned char> snapshot()
    {
        const auto *bytes = reinterpret_cast<const unsigned char *>(&ms());
        return std::vector<unsigned char>(bytes, bytes + sizeof(MainScreenPart));
    }

    e2e::XtApp app;
    Widget w = nullptr;
};

// A planet named name in a galaxy whose path is galaxyPath, as the scene
// leaves it in pickedStar.
struct PickedPlanet {
    Star galaxy;
    Star planet;
    std::string galaxyPath, planetName;

    PickedPlanet(std::string path, std::string name) : galaxyPath(std::move(path)), planetName(std::move(name))
    {
        std::memset(&galaxy, 0, sizeof galaxy);
        std::memset(&planet, 0, sizeof planet);
        galaxy.kind = STAR_GALAXY;
        galaxy.name = planetName.data() + planetName.size();  // ""; unused
        galaxy.parent = &rootGalaxy;
        galaxy.path = galaxyPath.data();
        galaxy.scanned = 1;
        planet.kind = STAR_PLANET;
        planet.name = planetName.data();
        planet.parent = &galaxy;
        planet.fileSize = 512;
    }
};
