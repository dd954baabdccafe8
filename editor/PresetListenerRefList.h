// How the preset panel's listeners find each other, the controls they
// drive and the store-and-load object.
#pragma once

namespace ruvava
{
class ControlInterface;
class TextBox;
}  // namespace ruvava

namespace rivo
{

class PresetNumberListener;
class PresetTimeDisplayListener;
class PresetTimeFaderListener;
class ProgStLdInterface;

struct PresetListenerRefList
{
	static constexpr int NBR_MEMORIES = 8;

	ProgStLdInterface *_stld_ptr = nullptr;
	PresetNumberListener *_number_ptrs[NBR_MEMORIES] = {};
	PresetTimeFaderListener *_fader_ptr = nullptr;
	PresetTimeDisplayListener *_display_ptr = nullptr;
	ruvava::ControlInterface *_mem_ctrl_ptr = nullptr;
	ruvava::ControlInterface *_fader_ctrl_ptr = nullptr;
	ruvava::TextBox *_display_ctrl_ptr = nullptr;
};

}  // namespace rivo
