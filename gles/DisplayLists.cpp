#include "gles/DisplayLists.h"

#include <limits>

namespace gles {

GLuint DisplayLists::generate(GLsizei range) {
    if (range <= 0) return 0;
    // The first free run after the highest name in use; lists are few and numbered from 1.
    const GLuint first = lists.empty() ? 1 : lists.rbegin()->first + 1;
    if (first == 0 || std::numeric_limits<GLuint>::max() - first < GLuint(range - 1)) return 0;
    for (GLuint name = first; name - first < GLuint(range); ++name) lists[name];
    return first;
}

void DisplayLists::begin(GLuint list) {
    compilingList = list;
    compiled.clear();
}

void DisplayLists::end() {
    lists[compilingList] = std::move(compiled);
    compiled.clear();
    compilingList = 0;
}

const std::vector<DisplayLists::Command>* DisplayLists::find(GLuint list) const {
    const auto it = lists.find(list);
    return it == lists.end() ? nullptr : &it->second;
}

} // namespace gles
