// Creates bitmap fonts from the plug-in's 'APIC' resources by name.
#pragma once

#include "gui/FontInterface.h"

#include <cstddef>

namespace ruvava
{

class FontFactory
{
public:
	static FontFactory &get_instance();

	// A new object owned by the caller, or null when the resource is missing,
	// damaged, or not a font (alpha picture of depth 8, or coverage font).
	FontInterface *create(const char *name_0) const;
	// The same from a resource's bytes, which must outlive the object.
	static FontInterface *create_from(const void *data_ptr, size_t size);
};

}  // namespace ruvava
