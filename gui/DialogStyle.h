// The look the toolkit's dialogs share.
#pragma once

namespace ruvava
{

struct DialogStyle
{
	static constexpr long BACK = 0xEDEDEA;
	static constexpr long TEXT = 0x1E1E1E;
	static constexpr long DIM_TEXT = 0x76766F;
	static constexpr long BUTTON = 0xDADAD4;
	static constexpr long BUTTON_EDGE = 0x8A8A84;
	static constexpr long FOCUS = 0x2F5F93;
	static constexpr long FOCUS_TEXT = 0xFFFFFF;
	static constexpr long FIELD = 0xFFFFFF;
	static constexpr long SELECTION = 0xB7CCE4;
	static constexpr long ERROR_TEXT = 0xA02020;
};

}  // namespace ruvava
