// The OBJECT library quenrow_pages holds the registrations of the module
// pages (see moduleregistry.h); each folder that builds a page adds its own
// source. This file keeps the library valid while it holds no other.
