// What shows the editor's dialogs (the file selector, message boxes): the
// editor's window on its platform. Dialogs never block: each call returns
// at once and the answer reaches its callback later, on the editor's thread.
#pragma once

#include <functional>
#include <string>

namespace sys
{

class FileSelector;

class DialogHostInterface
{
public:
	// The result code of a dialog: 0 chosen, else cancelled (file
	// selector); the index of the button pressed (message box).
	using Done = std::function<void(int)>;

	virtual ~DialogHostInterface() = default;
	// 0 when the dialog opened; the selector's file name is set before done(0).
	virtual int run_file_selector(FileSelector &sel, bool save_mode, Done done) = 0;
	// type: SimpleMessageBox::Type; def: the button Enter presses.
	virtual int run_message_box(const std::string &title, const std::string &text, int type, int def, Done done) = 0;
};

}  // namespace sys
