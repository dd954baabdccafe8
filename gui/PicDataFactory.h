// Creates picture data from the plug-in's 'APIC' resources by name.
#pragma once

#include "gui/PicDataInterface.h"

#include <cstddef>

namespace ruvava
{

class PicDataFactory
{
public:
	static PicDataFactory &get_instance();

	// A new object owned by the caller, or null when the resource is missing,
	// damaged, or not an opaque or alpha picture of depth 8 or 24.
	PicDataInterface *create(const char *name_0) const;
	// The same from a resource's bytes, which must outlive the object.
	static PicDataInterface *create_from(const void *data_ptr, size_t size);
};

}  // namespace ruvava
