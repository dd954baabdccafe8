// Mouse buttons and modifier keys as bit sets.
#pragma once

namespace ruvava
{

enum MouseState
{
	MouseState_NONE = 0,
	MouseState_PRIMARY = 1,
	MouseState_SECONDARY = 2,
	MouseState_TERTIARY = 4
};

enum AltKeys
{
	AltKeys_CONTROL = 1,
	AltKeys_SHIFT = 2,
	AltKeys_COMMAND = 4,
	AltKeys_OPTION = 8
};

}  // namespace ruvava
