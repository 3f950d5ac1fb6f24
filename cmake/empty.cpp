// Keeps the program-logic library non-empty while its folders have no portable file.
