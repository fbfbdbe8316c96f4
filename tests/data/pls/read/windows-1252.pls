[playlist]
NumberOfEntries=1

File0=http://w.example/
Title0=“Café” – 5 € …
Length0=-1

Version=2
