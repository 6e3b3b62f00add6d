#include "gles/EsFunctions.h"

namespace gles {

std::vector<std::string> loadEsFunctions(EsFunctions& es, EsProcLoader load) {
    std::vector<std::string> missing;
#define NIVEAU_ES_LOAD(type, name)                                                                 \
    es.name = reinterpret_cast<type>(load("gl" #name));                                            \
    if (!es.name) missing.push_back("gl" #name);
    NIVEAU_ES_FUNCTIONS(NIVEAU_ES_LOAD)
#undef NIVEAU_ES_LOAD
    return missing;
}

} // namespace gles
