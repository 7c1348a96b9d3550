// The table presentation module; its layout and painting arrive with the table work.
namespace tablamor::table_module {
int Version() { return 1; }
} // namespace tablamor::table_module
