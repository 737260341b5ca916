only line
