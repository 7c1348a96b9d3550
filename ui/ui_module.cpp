// The windows module; its windows arrive with the window work.
namespace tablamor::ui_module {
int Version() { return 1; }
} // namespace tablamor::ui_module
