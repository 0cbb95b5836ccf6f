// The program: initialise the application object, create the options dialog, run it.
