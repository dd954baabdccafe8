// The process-wide resource file: the plug-in's own file and the resources at its end.
#pragma once

#include "sys/ResourceBlock.h"

#include <cstddef>
#include <string>

namespace sys
{

// Makes path_0 the resource file unless one is set already (then 0 at once).
// -1 when the file cannot be read or carries no valid resource block.
int set_res_file(const char *path_0);
void clear_res_file();
// Null when no resource file is set.
const ResourceBlock *get_res_file();
// The path of the resource file; empty when none is set.
std::string get_res_path();
// The data of a resource, null when there is none. Its size is given too, so
// that readers never go past its end.
const void *get_resource(const char *type_0, const char *name_0);
const void *get_resource(const char *type_0, const char *name_0, size_t &size);

// The file of the loaded image (shared object or executable) that contains the
// given address: how the plug-in finds its own file.
std::string get_image_path(const void *addr_ptr);

}  // namespace sys
