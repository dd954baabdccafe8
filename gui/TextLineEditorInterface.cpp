#include "gui/TextLineEditorInterface.h"

#include "gui/TextInputRequest.h"
#include "gui/WindowInterface.h"

namespace ruvava
{

int32_t TextLineEditorInterface::begin(const TextInputRequest &request)
{
	_text = request.get_text();
	_target_ptr = &request.use_target();
	_validated = false;
	return do_begin(request);
}

int32_t TextLineEditorInterface::stop()
{
	const int32_t ret = do_stop();
	_window.text_line_editor_finished();
	_target_ptr = nullptr;
	return ret;
}

}  // namespace ruvava
