// Display lists: the GL 1.1 calls made between glNewList and glEndList, kept in order to be run
// again by glCallList.
#pragma once

#include <GL/gl.h>

#include <functional>
#include <map>
#include <vector>

namespace gles {

class Context;

class DisplayLists {
  public:
    using Command = std::function<void(Context&)>;

    // The first of `range` consecutive names no list uses, each then holding an empty list;
    // 0 for an empty range or where there are no more names.
    GLuint generate(GLsizei range);
    // Starts compiling list `list`, which replaces its former content at glEndList.
    void begin(GLuint list);
    void end();
    bool compiling() const { return compilingList != 0; }
    void record(Command command) { compiled.push_back(std::move(command)); }
    // The commands of a list; null for a list that was never defined.
    const std::vector<Command>* find(GLuint list) const;

  private:
    std::map<GLuint, std::vector<Command>> lists;
    GLuint compilingList = 0;
    std::vector<Command> compiled;
};

} // namespace gles
