#include "engine/WorkList.h"

int WorkList::loadAndPick(const std::string& name, Random& random, std::string& picked) {
    load(name);
    const int index = random.random(lines_.count());
    picked = lines_.line(index);
    return index;
}
