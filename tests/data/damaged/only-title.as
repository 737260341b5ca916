Made-up table
ONLY A TITLE
