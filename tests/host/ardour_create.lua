-- Builds a session with a stereo track carrying the plug-in, selects a
-- program, sets parameters and saves. Session folder from TARVELLE_SESSION.
local dir = os.getenv("TARVELLE_SESSION")
AudioEngine:set_backend("None (Dummy)", "", "")
local s = create_session(dir, "tarvelle", 48000)
assert(s, "no session")
local tracks = s:new_audio_track(2, 2, nil, 1, "Phased", ARDOUR.PresentationInfo.max_order,
                                 ARDOUR.TrackMode.Normal, true)
local route = tracks:front()
local proc = ARDOUR.LuaAPI.new_plugin(s, "Tarvelle", ARDOUR.PluginType.LXVST, "")
assert(not proc:isnil(), "the plug-in was not found")
assert(route:add_processor_by_index(proc, 0, nil, true) == 0, "the plug-in cannot be added")
local plug = proc:to_insert():plugin(0)
print("PARAMS", plug:parameter_count())
print("IO", plug:get_info().n_inputs:n_audio(), plug:get_info().n_outputs:n_audio())
print("MAKER", plug:maker())
local preset = plug:preset_by_label("Fast, Feedback, T3")
assert(preset, "program not offered")
assert(plug:load_preset(preset), "program not selected")
ARDOUR.LuaAPI.set_processor_param(proc, 11, 0.8)   -- V 1 Gain
ARDOUR.LuaAPI.set_processor_param(proc, 3, 0.25)   -- Tone X
assert(s:save_state("", false, false, false, false, false) == 0, "session not saved")
print("SAVED")
